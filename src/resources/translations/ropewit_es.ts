<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>The word in play</source>
        <translation>La palabra en juego</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Gallows</source>
        <translation>Horca</translation>
    </message>
    <message>
        <source>Shows one more part of the figure for each miss</source>
        <translation>Muestra una parte más de la figura con cada fallo</translation>
    </message>
    <message>
        <source>Your misses still allowed</source>
        <translation>Sus fallos aún permitidos</translation>
    </message>
    <message>
        <source>Word number</source>
        <translation>Número de palabra</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Estado de la conexión</translation>
    </message>
    <message>
        <source>Your opponent&apos;s name</source>
        <translation>Nombre de su rival</translation>
    </message>
    <message>
        <source>Your opponent&apos;s used letters</source>
        <translation>Letras usadas por su rival</translation>
    </message>
    <message>
        <source>Your opponent&apos;s misses still allowed</source>
        <translation>Fallos aún permitidos a su rival</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Mensaje de chat</translation>
    </message>
    <message>
        <source>Return sends it; Escape goes back to the board</source>
        <translation>Intro lo envía; Escape vuelve al tablero</translation>
    </message>
    <message>
        <source>What the game waits for</source>
        <translation>Lo que espera el juego</translation>
    </message>
    <message>
        <source>No word in play</source>
        <translation>Ninguna palabra en juego</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1: %2 letters, %3 to find</source>
        <translation>%1: %2 letras, %3 por encontrar</translation>
    </message>
    <message>
        <source>%1&apos;s score: %2</source>
        <translation>Puntuación de %1: %2</translation>
    </message>
    <message>
        <source>not yet guessed</source>
        <translation>aún no probada</translation>
    </message>
    <message>
        <source>not in the word</source>
        <translation>no está en la palabra</translation>
    </message>
    <message>
        <source>in the word</source>
        <translation>está en la palabra</translation>
    </message>
    <message>
        <source>Used letters: %1</source>
        <translation>Letras usadas: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Letter %1 of %2: %3</source>
        <translation>Letra %1 de %2: %3</translation>
    </message>
    <message>
        <source>%1 of %2 misses</source>
        <translation>%1 de %2 fallos</translation>
    </message>
    <message>
        <source>Word lost: %1.</source>
        <translation>Palabra perdida: %1.</translation>
    </message>
    <message>
        <source>Word solved: %1.</source>
        <translation>Palabra resuelta: %1.</translation>
    </message>
    <message>
        <source>%1 is in the word.</source>
        <translation>%1 está en la palabra.</translation>
    </message>
    <message>
        <source>%1 is not in the word, %2 guesses left.</source>
        <translation>%1 no está en la palabra, quedan %2 intentos.</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>Your opponent&apos;s word: %1</source>
        <translation>Palabra de su rival: %1</translation>
    </message>
    <message>
        <source>Letters the players&apos; names start with</source>
        <translation>Iniciales de los nombres de los jugadores</translation>
    </message>
    <message>
        <source>Letter tile preview: %1</source>
        <translation>Vista previa de la ficha de letra: %1</translation>
    </message>
    <message>
        <source>Word tile preview: %1</source>
        <translation>Vista previa de la ficha de palabra: %1</translation>
    </message>
    <message>
        <source>Matchmaking server</source>
        <translation>Servidor de emparejamiento</translation>
    </message>
    <message>
        <source>Players waiting</source>
        <translation>Jugadores en espera</translation>
    </message>
    <message>
        <source>%1 is not in the word, 1 guess left.</source>
        <translation>%1 no está en la palabra, queda 1 intento.</translation>
    </message>
</context>
<context>
    <name>AddressScope</name>
    <message>
        <source>a public address</source>
        <translation>una dirección pública</translation>
    </message>
    <message>
        <source>a private address</source>
        <translation>una dirección privada</translation>
    </message>
    <message>
        <source>an address your provider shares between its customers</source>
        <translation>una dirección que su proveedor comparte entre sus clientes</translation>
    </message>
    <message>
        <source>a local IPv6 address</source>
        <translation>una dirección IPv6 local</translation>
    </message>
    <message>
        <source>a link-local address</source>
        <translation>una dirección de enlace local</translation>
    </message>
    <message>
        <source>a loopback address</source>
        <translation>una dirección de bucle local</translation>
    </message>
    <message>
        <source>an address nobody can call</source>
        <translation>una dirección a la que nadie puede llamar</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>ninguna dirección</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>%1 Guesses Left</source>
        <translation>Quedan %1 intentos</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ropewit, the hangman word game.</source>
        <translation>Ropewit, el juego del ahorcado.</translation>
    </message>
    <message>
        <source>Directory of the settings file ROPEWIT.INI (default: %1).</source>
        <translation>Carpeta del archivo de ajustes ROPEWIT.INI (por omisión: %1).</translation>
    </message>
    <message>
        <source>TCP port for games between two players (default 52201).</source>
        <translation>Puerto TCP para partidas entre dos jugadores (por omisión 52201).</translation>
    </message>
    <message>
        <source>Matchmaking server (default localhost:52202).</source>
        <translation>Servidor de emparejamiento (por omisión localhost:52202).</translation>
    </message>
    <message>
        <source>Saves a picture of a game in progress to FILE (PNG) and exits.</source>
        <translation>Guarda una imagen de una partida en curso en FILE (PNG) y sale.</translation>
    </message>
    <message>
        <source>Saves a picture of the Statistics window, with made-up figures, to FILE (PNG) and exits.</source>
        <translation>Guarda una imagen de la ventana Estadísticas, con cifras inventadas, en FILE (PNG) y sale.</translation>
    </message>
    <message>
        <source>Saves a picture of the Statistics window after a word of the day, with made-up figures, to FILE (PNG) and exits.</source>
        <translation>Guarda una imagen de la ventana Estadísticas tras una palabra del día, con cifras inventadas, en FILE (PNG) y sale.</translation>
    </message>
    <message>
        <source>Ask the home router to forward the game port while waiting: off, discover, or the URL of the router&apos;s description (overrides ROPEWIT_ROUTER and the Options menu).</source>
        <translation>Pedir al router de casa que reenvíe el puerto del juego mientras se espera: off, discover o la URL de la descripción del router (prevalece sobre ROPEWIT_ROUTER y el menú Opciones).</translation>
    </message>
    <message>
        <source>Start the random generator from N, to deal the words in the same order again (0: the generator&apos;s own start; default: a new order every run).</source>
        <translation>Iniciar el generador aleatorio en N, para repartir las palabras de nuevo en el mismo orden (0: el inicio propio del generador; por omisión: un orden nuevo en cada ejecución).</translation>
    </message>
    <message>
        <source>The window&apos;s language: de, es, fr, or en (also C) for English (overrides the system&apos;s and the Options menu).</source>
        <translation>El idioma de la ventana: de, es, fr, o en (también C) para inglés (prevalece sobre el del sistema y el menú Opciones).</translation>
    </message>
    <message>
        <source>The word list --screenshot plays, a file of the data folder (default %1).</source>
        <translation>La lista de palabras que juega --screenshot, un archivo de la carpeta de datos (por omisión %1).</translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <source>Short words (3-5 letters)</source>
        <translation>Palabras cortas (3-5 letras)</translation>
    </message>
    <message>
        <source>Medium words (6-8 letters)</source>
        <translation>Palabras medianas (6-8 letras)</translation>
    </message>
    <message>
        <source>Long words (9 letters or more)</source>
        <translation>Palabras largas (9 letras o más)</translation>
    </message>
    <message>
        <source>Words of any length</source>
        <translation>Palabras de cualquier longitud</translation>
    </message>
</context>
<context>
    <name>GameController</name>
    <message>
        <source>The opponent&apos;s guess attempts of %1 were taken as %2: they must be from %3 to %4</source>
        <translation>Los intentos del rival (%1) se tomaron como %2: deben ir de %3 a %4</translation>
    </message>
    <message>
        <source>The opponent&apos;s winning score of %1 was taken as %2: it must be from %3 to %4</source>
        <translation>La puntuación para ganar del rival (%1) se tomó como %2: debe ir de %3 a %4</translation>
    </message>
    <message>
        <source>Waiting for opponent&apos;s score.</source>
        <translation>Esperando la puntuación del rival.</translation>
    </message>
    <message>
        <source>Waiting for opponent to start</source>
        <translation>Esperando a que el rival empiece</translation>
    </message>
    <message>
        <source>Waiting for opponent&apos;s word.</source>
        <translation>Esperando la palabra del rival.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The help file could not be opened: </source>
        <translation>No se pudo abrir el archivo de ayuda: </translation>
    </message>
    <message>
        <source>The web site could not be opened: </source>
        <translation>No se pudo abrir el sitio web: </translation>
    </message>
    <message>
        <source>About Ropewit</source>
        <translation>Acerca de Ropewit</translation>
    </message>
    <message>
        <source>Ropewit %1

The Internet Hangman Game!

Guess the word before the figure is complete, alone or against an opponent over the network.</source>
        <translation>Ropewit %1

¡El juego del ahorcado en Internet!

Adivine la palabra antes de que la figura esté completa, solo o contra un rival en la red.</translation>
    </message>
</context>
<context>
    <name>MatchClient</name>
    <message>
        <source>Matchmaking server: %1</source>
        <translation>Servidor de emparejamiento: %1</translation>
    </message>
    <message>
        <source>The server closed the connection unanswered</source>
        <translation>El servidor cerró la conexión sin responder</translation>
    </message>
    <message>
        <source>No answer from the server in time</source>
        <translation>El servidor no respondió a tiempo</translation>
    </message>
    <message>
        <source>Dropped what the server sent unasked</source>
        <translation>Se descartó lo que el servidor envió sin que se le pidiera</translation>
    </message>
    <message>
        <source>Dropped an overlong message from the server</source>
        <translation>Se descartó un mensaje demasiado largo del servidor</translation>
    </message>
    <message>
        <source>Dropped what the server sent after its reply</source>
        <translation>Se descartó lo que el servidor envió después de su respuesta</translation>
    </message>
    <message>
        <source>Could not handle a message from the server</source>
        <translation>No se pudo procesar un mensaje del servidor</translation>
    </message>
    <message>
        <source>Ignored a reply from the server that does not answer the request</source>
        <translation>Se ignoró una respuesta del servidor que no corresponde a la petición</translation>
    </message>
    <message>
        <source>The server sent more than a reply holds; closed</source>
        <translation>El servidor envió más de lo que cabe en una respuesta; conexión cerrada</translation>
    </message>
    <message>
        <source>The server&apos;s list is full and no longer shows you as waiting</source>
        <translation>La lista del servidor está llena y ya no le muestra como en espera</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>No se puede conectar con el servidor.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>No users are currently logged onto the server.</source>
        <translation>Ahora mismo no hay nadie conectado al servidor.</translation>
    </message>
    <message>
        <source>The user list on the server is full.  Name not added.</source>
        <translation>La lista del servidor está llena.  No se ha añadido el nombre.</translation>
    </message>
</context>
<context>
    <name>MessageChannel</name>
    <message>
        <source>Dropped an overlong message from %1</source>
        <translation>Se descartó un mensaje demasiado largo de %1</translation>
    </message>
    <message>
        <source>Could not handle a message from %1</source>
        <translation>No se pudo procesar un mensaje de %1</translation>
    </message>
</context>
<context>
    <name>NetworkSteps</name>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Waiting through the server&apos;s relay: callers reach you at %1</source>
        <translation>Esperando a través del relé del servidor: le llaman en %1</translation>
    </message>
    <message>
        <source>Registered again with the server.</source>
        <translation>Registrado de nuevo en el servidor.</translation>
    </message>
    <message>
        <source>Registering again with the server at %1:%2.</source>
        <translation>Registrándose de nuevo en el servidor en %1:%2.</translation>
    </message>
    <message>
        <source>Callers can reach you at %1 through your router&apos;s port mapping.</source>
        <translation>Pueden llamarle en %1 gracias a la redirección de puertos de su router.</translation>
    </message>
    <message>
        <source>Callers can reach you directly at %1.</source>
        <translation>Pueden llamarle directamente en %1.</translation>
    </message>
    <message>
        <source>Callers cannot reach you at %1, and the server has no relay: turn on Options, Open Port On Router, forward port %2 to this computer, or use a server with a relay.</source>
        <translation>No pueden llamarle en %1 y el servidor no tiene relé: active Opciones, Abrir el puerto en el router, redirija el puerto %2 a este ordenador o use un servidor con relé.</translation>
    </message>
    <message>
        <source>Callers cannot reach you at %1: you wait through the server&apos;s relay instead.</source>
        <translation>No pueden llamarle en %1: espera a través del relé del servidor.</translation>
    </message>
    <message>
        <source>Attempting To Connect through the server&apos;s relay</source>
        <translation>Intentando conectar a través del relé del servidor</translation>
    </message>
    <message>
        <source>the address the server lists for you</source>
        <translation>la dirección que el servidor indica para usted</translation>
    </message>
</context>
<context>
    <name>OpponentList</name>
    <message>
        <source>Can&apos;t call this player: %1</source>
        <translation>No se puede llamar a este jugador: %1</translation>
    </message>
    <message>
        <source>the server gave an address longer than %1 characters.</source>
        <translation>el servidor dio una dirección de más de %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>OpponentPanel</name>
    <message>
        <source>You are playing the same word--cannot reveal</source>
        <translation>Juegan la misma palabra -- no se puede mostrar</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The new language is used the next time Ropewit starts.</source>
        <translation>El nuevo idioma se usará la próxima vez que se inicie Ropewit.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Word 1 of %1</source>
        <translation>Palabra 1 de %1</translation>
    </message>
    <message>
        <source>This copy was started with --matchmaking-server %1: it asks that server until it is started without it.</source>
        <translation>Este programa se inició con --matchmaking-server %1: consulta ese servidor hasta que se inicie sin esa opción.</translation>
    </message>
</context>
<context>
    <name>OwnAddresses</name>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Your IP Addresses are</source>
        <translation>Sus direcciones IP son</translation>
    </message>
    <message>
        <source>Your IP Addresses is</source>
        <translation>Su dirección IP es</translation>
    </message>
</context>
<context>
    <name>PeerAddress</name>
    <message>
        <source>a port is a number from 1 to 65535</source>
        <translation>un puerto es un número de 1 a 65535</translation>
    </message>
    <message>
        <source>There is no port after &apos;:&apos;; write one (%1) or leave out the &apos;:&apos;.</source>
        <translation>No hay puerto tras &apos;:&apos;; escriba uno (%1) o quite el &apos;:&apos;.</translation>
    </message>
    <message>
        <source>The port &quot;%1&quot; is not a number; %2.</source>
        <translation>El puerto &quot;%1&quot; no es un número; %2.</translation>
    </message>
    <message>
        <source>The port %1 is out of range; %2.</source>
        <translation>El puerto %1 está fuera de rango; %2.</translation>
    </message>
    <message>
        <source>The address opens a bracket &apos;[&apos; but never closes it with &apos;]&apos;.</source>
        <translation>La dirección abre un corchete &apos;[&apos; pero nunca lo cierra con &apos;]&apos;.</translation>
    </message>
    <message>
        <source>Only an IPv6 address goes in brackets, like [2001:db8::1]:52201.</source>
        <translation>Solo una dirección IPv6 va entre corchetes, como [2001:db8::1]:52201.</translation>
    </message>
    <message>
        <source>After &apos;]&apos; only &apos;:&apos; and a port may follow, like [2001:db8::1]:52201.</source>
        <translation>Tras &apos;]&apos; solo pueden ir &apos;:&apos; y un puerto, como [2001:db8::1]:52201.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address as the game takes one: write four numbers from 0 to 255 separated by dots, without leading zeros, like 192.0.2.7.</source>
        <translation>&quot;%1&quot; no es una dirección IPv4 como la toma el juego: escriba cuatro números de 0 a 255 separados por puntos, sin ceros a la izquierda, como 192.0.2.7.</translation>
    </message>
    <message>
        <source>%1 names no one computer; write the other player&apos;s address, or 127.0.0.1 for a copy on this computer.</source>
        <translation>%1 no designa ningún ordenador concreto; escriba la dirección del otro jugador, o 127.0.0.1 para una copia en este ordenador.</translation>
    </message>
    <message>
        <source>%1 is a multicast address, for a group rather than one player; write the other player&apos;s address.</source>
        <translation>%1 es una dirección multicast, para un grupo y no para un jugador; escriba la dirección del otro jugador.</translation>
    </message>
    <message>
        <source>%1 is the broadcast address, for every computer on the network rather than one player; write the other player&apos;s address.</source>
        <translation>%1 es la dirección de difusión, para todos los ordenadores de la red y no para un jugador; escriba la dirección del otro jugador.</translation>
    </message>
    <message>
        <source>No address has been entered.</source>
        <translation>No se ha escrito ninguna dirección.</translation>
    </message>
    <message>
        <source>An address has at most %1 characters; this one has %2.</source>
        <translation>Una dirección tiene como mucho %1 caracteres; esta tiene %2.</translation>
    </message>
    <message>
        <source>The address holds a control character.</source>
        <translation>La dirección contiene un carácter de control.</translation>
    </message>
    <message>
        <source>An address cannot contain blanks.</source>
        <translation>Una dirección no puede contener espacios.</translation>
    </message>
    <message>
        <source>A bracket &apos;[&apos; may only begin an IPv6 address, like [2001:db8::1]:52201.</source>
        <translation>Un corchete &apos;[&apos; solo puede abrir una dirección IPv6, como [2001:db8::1]:52201.</translation>
    </message>
    <message>
        <source>The address closes a bracket &apos;]&apos; that it never opened.</source>
        <translation>La dirección cierra un corchete &apos;]&apos; que nunca abrió.</translation>
    </message>
    <message>
        <source>An IPv4 address has at most one &apos;:&apos;, before its port, like 192.0.2.7:52201.</source>
        <translation>Una dirección IPv4 tiene como mucho un &apos;:&apos;, antes de su puerto, como 192.0.2.7:52201.</translation>
    </message>
    <message>
        <source>An IPv6 address with a port is written in brackets, like [2001:db8::1]:52201.</source>
        <translation>Una dirección IPv6 con puerto se escribe entre corchetes, como [2001:db8::1]:52201.</translation>
    </message>
    <message>
        <source>The address has no host name or number before &apos;:&apos;.</source>
        <translation>La dirección no tiene nombre ni número de equipo antes de &apos;:&apos;.</translation>
    </message>
</context>
<context>
    <name>PeerConnection</name>
    <message>
        <source>Nobody answers at that address on port %1. The other player must be waiting for a call (or registered on the server) on that port.</source>
        <translation>Nadie responde en esa dirección en el puerto %1. El otro jugador debe estar esperando una llamada (o registrado en el servidor) en ese puerto.</translation>
    </message>
    <message>
        <source>No answer from that address on port %1. The other player must be waiting for a call, and their router may not forward port %1 to their computer: they can turn on Options, Open Port On Router, or forward the port by hand.</source>
        <translation>No hay respuesta de esa dirección en el puerto %1. El otro jugador debe estar esperando una llamada, y puede que su router no redirija el puerto %1 a su ordenador: puede activar Opciones, Abrir el puerto en el router, o redirigir el puerto a mano.</translation>
    </message>
    <message>
        <source>The chosen player is waiting to play but cannot be reached from here on port %1: her router or firewall keeps calls out. She can turn on Options, Open Port On Router, forward port %1 to her computer by hand, or register on a matchmaking server with a relay.</source>
        <translation>La jugadora elegida está esperando para jugar, pero no se la puede alcanzar desde aquí en el puerto %1: su router o su cortafuegos bloquea las llamadas. Ella puede activar Opciones, Abrir el puerto en el router, redirigir el puerto %1 a su ordenador a mano, o registrarse en un servidor de emparejamiento con relé.</translation>
    </message>
    <message>
        <source>the opponent</source>
        <comment>named after &quot;from&quot; in the connection log</comment>
        <translation>su oponente</translation>
    </message>
    <message>
        <source>The opponent sends far more than any game does (%1 bytes waiting); what it sends is dropped unread until it leaves</source>
        <translation>Su oponente envía mucho más que cualquier partida (%1 bytes en espera); lo que envía se descarta sin leer hasta que se vaya</translation>
    </message>
    <message>
        <source>The opponent left %1 unread bytes behind, more than any game sends; they were dropped</source>
        <translation>Su oponente dejó %1 bytes sin leer, más de lo que envía cualquier partida; se descartaron</translation>
    </message>
    <message>
        <source>Can&apos;t call &quot;%1&quot;: %2</source>
        <translation>No se puede llamar a «%1»: %2</translation>
    </message>
</context>
<context>
    <name>PeerText</name>
    <message>
        <source>A connection has been made to an opponent!</source>
        <translation>¡Se ha establecido la conexión con un rival!</translation>
    </message>
    <message>
        <source> You are %1.</source>
        <translation> Usted es %1.</translation>
    </message>
    <message>
        <source> Your opponent is %1.</source>
        <translation> Su rival es %1.</translation>
    </message>
    <message>
        <source>Game options have been synchronized as follows:</source>
        <translation>Las opciones de juego se han sincronizado así:</translation>
    </message>
    <message>
        <source>  Word lengths will be equal</source>
        <translation>  Las palabras tendrán la misma longitud</translation>
    </message>
    <message>
        <source>  Player chooses word</source>
        <translation>  El jugador elige la palabra</translation>
    </message>
    <message>
        <source>  Program chooses word</source>
        <translation>  El programa elige la palabra</translation>
    </message>
    <message>
        <source>  Each player receives a different word</source>
        <translation>  Cada jugador recibe una palabra distinta</translation>
    </message>
    <message>
        <source>  Each player receives the same word</source>
        <translation>  Cada jugador recibe la misma palabra</translation>
    </message>
    <message>
        <source>  %1 selects word list</source>
        <translation>  %1 elige la lista de palabras</translation>
    </message>
    <message>
        <source>  Winning Score is %1</source>
        <translation>  Puntuación para ganar: %1</translation>
    </message>
    <message>
        <source>  Guess Attempts per word are %1</source>
        <translation>  Intentos por palabra: %1</translation>
    </message>
    <message>
        <source>  Hint mode is on.</source>
        <translation>  Las pistas están activadas.</translation>
    </message>
    <message>
        <source>  Hint mode is off.</source>
        <translation>  Las pistas están desactivadas.</translation>
    </message>
    <message>
        <source>If you would like to make changes to any of these options,</source>
        <translation>Si desea cambiar alguna de estas opciones,</translation>
    </message>
    <message>
        <source>then select &quot;Options&quot; from the menu and make your adjustments.</source>
        <translation>elija &quot;Opciones&quot; en el menú y haga sus ajustes.</translation>
    </message>
    <message>
        <source>After you are satisfied with the game options, click on the</source>
        <translation>Cuando las opciones le parezcan bien, pulse el</translation>
    </message>
    <message>
        <source>&quot;Start Game&quot; button to start the game.</source>
        <translation>botón &quot;Empezar&quot; para comenzar la partida.</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Your router did not show which address of this computer it sees; going on without forwarding port %1</source>
        <translation>Su router no indicó qué dirección de este ordenador ve; se continúa sin redirigir el puerto %1</translation>
    </message>
    <message>
        <source>Port %1 on your router is taken by another computer%2; players on the internet may not reach you (choose another port with --peer-port, or free the port in the router&apos;s settings)</source>
        <translation>El puerto %1 de su router lo ocupa otro ordenador%2; puede que los jugadores de Internet no le alcancen (elija otro puerto con --peer-port o libere el puerto en la configuración del router)</translation>
    </message>
    <message>
        <source>Your router stopped answering; going on without forwarding port %1</source>
        <translation>Su router dejó de responder; se continúa sin redirigir el puerto %1</translation>
    </message>
    <message>
        <source>Your router refused to forward port %1 (error %2); if players on the internet cannot call you, forward the port by hand in the router&apos;s settings</source>
        <translation>Su router se negó a redirigir el puerto %1 (error %2); si los jugadores de Internet no pueden llamarle, redirija el puerto a mano en la configuración del router</translation>
    </message>
    <message>
        <source>Your router now forwards port %1 to this computer</source>
        <translation>Su router redirige ahora el puerto %1 a este ordenador</translation>
    </message>
    <message>
        <source>; if players on the internet cannot call you, forward port %1 by hand in your router&apos;s settings</source>
        <translation>; si los jugadores de Internet no pueden llamarle, redirija el puerto %1 a mano en la configuración de su router</translation>
    </message>
    <message>
        <source>No router answered at %1</source>
        <translation>Ningún router respondió en %1</translation>
    </message>
    <message>
        <source>No router answered the request to forward a port</source>
        <translation>Ningún router respondió a la petición de redirigir un puerto</translation>
    </message>
    <message>
        <source>No router that forwards ports answered</source>
        <translation>No respondió ningún router que redirija puertos</translation>
    </message>
    <message>
        <source>The router&apos;s description at %1 is larger than any router&apos;s (over %2 KiB) and was not read</source>
        <translation>La descripción del router en %1 es mayor que la de cualquier router (más de %2 KiB) y no se leyó</translation>
    </message>
    <message>
        <source>The router at %1 is not on your local network and was not asked</source>
        <translation>El router en %1 no está en su red local y no se le preguntó</translation>
    </message>
    <message>
        <source>Your router&apos;s answer could not be understood</source>
        <translation>No se pudo entender la respuesta de su router</translation>
    </message>
    <message>
        <source>The router at %1 named a control address on another host or port, which was not used</source>
        <translation>El router en %1 indicó una dirección de control en otro equipo o puerto, que no se usó</translation>
    </message>
    <message>
        <source>Port %1 on your router is taken by another computer (%2); players on the internet may not reach you</source>
        <translation>El puerto %1 de su router lo ocupa otro ordenador (%2); puede que los jugadores de Internet no le alcancen</translation>
    </message>
    <message>
        <source>Your router&apos;s answer could not be understood; going on without forwarding port %1</source>
        <translation>No se pudo entender la respuesta de su router; se continúa sin redirigir el puerto %1</translation>
    </message>
    <message>
        <source>Your router said yes but does not forward port %1; forward it by hand in the router&apos;s settings if players cannot call you</source>
        <translation>Su router dijo que sí, pero no redirige el puerto %1; rediríjalo a mano en la configuración del router si los jugadores no pueden llamarle</translation>
    </message>
    <message>
        <source>Players on the internet can call you at %1</source>
        <translation>Los jugadores de Internet pueden llamarle en %1</translation>
    </message>
    <message>
        <source>Your router&apos;s own address %1 is %2, so players on the internet may still not reach you (another router or your provider sits in between)</source>
        <translation>La dirección propia de su router, %1, es %2, así que puede que los jugadores de Internet sigan sin alcanzarle (hay otro router o su proveedor en medio)</translation>
    </message>
    <message>
        <source>Another computer has taken port %1 on your router; players on the internet may no longer reach you</source>
        <translation>Otro ordenador ha ocupado el puerto %1 de su router; puede que los jugadores de Internet ya no le alcancen</translation>
    </message>
    <message>
        <source>Your router stopped answering; port %1 may no longer be forwarded to this computer</source>
        <translation>Su router dejó de responder; puede que el puerto %1 ya no se redirija a este ordenador</translation>
    </message>
    <message>
        <source>Your router&apos;s answer could not be understood; port %1 may no longer be forwarded to this computer</source>
        <translation>No se pudo entender la respuesta de su router; puede que el puerto %1 ya no se redirija a este ordenador</translation>
    </message>
    <message>
        <source>Your router refused to keep forwarding port %1 (error %2); players on the internet may no longer reach you</source>
        <translation>Su router se negó a seguir redirigiendo el puerto %1 (error %2); puede que los jugadores de Internet ya no le alcancen</translation>
    </message>
    <message>
        <source>Your router no longer forwards port %1</source>
        <translation>Su router ya no redirige el puerto %1</translation>
    </message>
    <message>
        <source>Your router did not remove the forwarding of port %1; it ends by itself within %2 minutes</source>
        <translation>Su router no quitó la redirección del puerto %1; termina por sí sola en %2 minutos como mucho</translation>
    </message>
    <message>
        <source>Your router did not remove the forwarding of port %1; remove it by hand in the router&apos;s settings</source>
        <translation>Su router no quitó la redirección del puerto %1; quítela a mano en la configuración del router</translation>
    </message>
    <message>
        <source>The router setting takes off, discover, or the http:// address of the router&apos;s description (at most %1 characters), not &quot;%2&quot;.</source>
        <translation>El ajuste del router admite off, discover o la dirección http:// de la descripción del router (%1 caracteres como máximo), no «%2».</translation>
    </message>
    <message>
        <source>This computer waits at %1, a private address: players on the internet can call it only if your router forwards port %2 to it. Options, &quot;Open Port On Router&quot; asks the router to do that.</source>
        <translation>Este ordenador espera en %1, una dirección privada: los jugadores de Internet solo pueden llamarlo si su router le redirige el puerto %2. Opciones, «Abrir el puerto en el router» se lo pide al router.</translation>
    </message>
</context>
<context>
    <name>RelayClient</name>
    <message>
        <source>The relay at %1 did not join the call in time: the player may have left.</source>
        <translation>El relé en %1 no unió la llamada a tiempo: puede que el jugador se haya ido.</translation>
    </message>
    <message>
        <source>The server&apos;s relay closed your connection: callers can no longer reach you through it.</source>
        <translation>El relé del servidor cerró su conexión: ya no pueden llamarle a través de él.</translation>
    </message>
    <message>
        <source>The relay closed the call before the player answered: the player has left.</source>
        <translation>El relé cerró la llamada antes de que el jugador respondiera: el jugador se ha ido.</translation>
    </message>
    <message>
        <source>The server&apos;s relay at %1 cannot be reached (it may be off): callers cannot reach you.</source>
        <translation>No se puede alcanzar el relé del servidor en %1 (quizá esté apagado): no pueden llamarle.</translation>
    </message>
    <message>
        <source>The server&apos;s relay at %1 cannot be reached (it may be off): this player cannot be called.</source>
        <translation>No se puede alcanzar el relé del servidor en %1 (quizá esté apagado): no se puede llamar a este jugador.</translation>
    </message>
    <message>
        <source>The player is already playing. Try later.</source>
        <translation>El jugador ya está jugando. Inténtelo más tarde.</translation>
    </message>
    <message>
        <source>The relay at %1 sent something that is no relay answer.</source>
        <translation>El relé en %1 envió algo que no es una respuesta de relé.</translation>
    </message>
    <message>
        <source>The relay refused: %1</source>
        <translation>El relé se negó: %1</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>%1 is the winner!</source>
        <translation>¡%1 es quien gana!</translation>
    </message>
    <message>
        <source>We have a tie!</source>
        <translation>¡Es un empate!</translation>
    </message>
    <message>
        <source>%1 Score: %2</source>
        <translation>Puntos de %1: %2</translation>
    </message>
    <message>
        <source>Would you like to play this same opponent again?</source>
        <translation>¿Quiere volver a jugar contra el mismo rival?</translation>
    </message>
</context>
<context>
    <name>SoloRecords</name>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; has no words of the chosen length (%2). Its words of every length will be played.</source>
        <translation>La lista «%1» no tiene palabras de la longitud elegida (%2). Se jugarán sus palabras de cualquier longitud.</translation>
    </message>
    <message>
        <source>This game: %1 of %2 words solved, score %3.</source>
        <translation>Esta partida: %1 de %2 palabras resueltas, puntuación %3.</translation>
    </message>
    <message>
        <source>Word of the Day</source>
        <translation>Palabra del día</translation>
    </message>
    <message>
        <source>Finish the game in progress first.</source>
        <translation>Termine primero la partida en curso.</translation>
    </message>
    <message>
        <source>You have had your try at the word of the day for %1. The next one comes tomorrow.</source>
        <translation>Ya ha intentado la palabra del día del %1. La siguiente llega mañana.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The list of the words of the day, %1, could not be read.</source>
        <translation>No se pudo leer la lista de palabras del día, %1.</translation>
    </message>
    <message>
        <source>(Copied, ready to share.)</source>
        <translation>(Copiado, listo para compartir.)</translation>
    </message>
    <message>
        <source>Open List by Name</source>
        <translation>Abrir lista por nombre</translation>
    </message>
</context>
<context>
    <name>StartUpSettings</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>StatisticsStore</name>
    <message>
        <source>The statistics file %1 %2. It could not be moved aside either, so this game&apos;s results will not be saved.</source>
        <translation>El archivo de estadísticas %1 %2. Tampoco se pudo apartar, así que los resultados de esta partida no se guardarán.</translation>
    </message>
    <message>
        <source>The statistics file %1 %2. It was kept as %3, and the statistics start again from nothing.</source>
        <translation>El archivo de estadísticas %1 %2. Se guardó como %3 y las estadísticas empiezan de cero.</translation>
    </message>
    <message>
        <source>is far too large to hold statistics</source>
        <translation>es demasiado grande para contener estadísticas</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>no se pudo leer (%1)</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>was written by a newer version of Ropewit</source>
        <translation>fue escrito por una versión más reciente de Ropewit</translation>
    </message>
    <message>
        <source>Some figures in the statistics file %1 were impossible and have been corrected.</source>
        <translation>Algunas cifras del archivo de estadísticas %1 eran imposibles y se han corregido.</translation>
    </message>
    <message>
        <source>The statistics could not be saved: the disk is full. The file keeps what it held before.</source>
        <translation>No se pudieron guardar las estadísticas: el disco está lleno. El archivo conserva lo que tenía.</translation>
    </message>
    <message>
        <source>The statistics could not be saved to %1 (%2). The file keeps what it held before.</source>
        <translation>No se pudieron guardar las estadísticas en %1 (%2). El archivo conserva lo que tenía.</translation>
    </message>
    <message>
        <source>The statistics could not be saved: another copy of Ropewit keeps the file busy. They will be saved later.</source>
        <translation>No se pudieron guardar las estadísticas: otra copia de Ropewit tiene ocupado el archivo. Se guardarán más tarde.</translation>
    </message>
</context>
<context>
    <name>TChooseList</name>
    <message>
        <source>Open List by Name</source>
        <translation>Abrir lista por nombre</translation>
    </message>
    <message>
        <source>Choose a word list to play alone:</source>
        <translation>Elija una lista de palabras para jugar solo:</translation>
    </message>
    <message>
        <source>Your own lists</source>
        <translation>Sus propias listas</translation>
    </message>
    <message>
        <source>%1 (%2 words)</source>
        <translation>%1 (%2 palabras)</translation>
    </message>
</context>
<context>
    <name>TDoNewGame</name>
    <message>
        <source>New Player</source>
        <translation>Nuevo jugador</translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation>¿Quiere</translation>
    </message>
    <message>
        <source>&amp;Play against the computer (solitaire)</source>
        <translation>&amp;Jugar contra el ordenador (solitario)</translation>
    </message>
    <message>
        <source>Pl&amp;ay against an opponent over the Web</source>
        <translation>Jugar contra un rival por la &amp;Web</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>&amp;Enter your opponent&apos;s IP Address</source>
        <translation>&amp;Escribir la dirección IP del rival</translation>
    </message>
    <message>
        <source>&amp;Wait for your opponent to enter your IP Address</source>
        <translation>Esperar a que el rival escriba su dirección IP (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Log into our server and check for players</source>
        <translation>&amp;Conectarse al servidor y buscar jugadores</translation>
    </message>
    <message>
        <source>&amp;Register into our server and wait for a player</source>
        <translation>&amp;Registrarse en el servidor y esperar a un jugador</translation>
    </message>
    <message>
        <source>Enter your opponent&apos;s IP Address</source>
        <translation>Escriba la dirección IP del rival</translation>
    </message>
    <message>
        <source>&amp;Obtain Longest Waiting Players</source>
        <translation>&amp;Obtener los jugadores que más esperan</translation>
    </message>
    <message>
        <source>O&amp;btain Players Starting With The Letters</source>
        <translation>Obtener jugadores que empiezan por las &amp;letras</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>It appears that you have not entered a user name for yourself yet. Would you like to do so now?</source>
        <translation>Parece que aún no ha escrito un nombre de usuario. ¿Desea hacerlo ahora?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>This computer has no network address to register with the server.</source>
        <translation>Este ordenador no tiene ninguna dirección de red para registrarse en el servidor.</translation>
    </message>
    <message>
        <source>No IP Address has been entered.</source>
        <translation>No se ha escrito ninguna dirección IP.</translation>
    </message>
    <message>
        <source>You have multiple IP Addresses.  Is the correct IP Address %1?</source>
        <translation>Tiene varias direcciones IP.  ¿Es %1 la dirección IP correcta?</translation>
    </message>
</context>
<context>
    <name>TDoSounds</name>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>&amp;Use Sound Effects</source>
        <translation>&amp;Usar efectos de sonido</translation>
    </message>
    <message>
        <source>Sounds When A Correct Letter Is Guessed</source>
        <translation>Sonidos al acertar una letra</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Word Complete Sound</source>
        <translation>Sonido de palabra completada</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>Sounds When An Incorrect Letter Is Guessed</source>
        <translation>Sonidos al fallar una letra</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>Bo&amp;rrar</translation>
    </message>
    <message>
        <source>Word Missed Sound</source>
        <translation>Sonido de palabra fallada</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>E&amp;xaminar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Open Wave File</source>
        <translation>Abrir archivo Wave</translation>
    </message>
    <message>
        <source>WAVE Files (*.WAV *.wav)</source>
        <translation>Archivos WAVE (*.WAV *.wav)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No item selected for deletion.  Please correct.</source>
        <translation>No se ha seleccionado ningún elemento para borrar.  Corríjalo.</translation>
    </message>
</context>
<context>
    <name>TDoWordList</name>
    <message>
        <source>Create A Word List</source>
        <translation>Crear una lista de palabras</translation>
    </message>
    <message>
        <source>Word List Title</source>
        <translation>Título de la lista</translation>
    </message>
    <message>
        <source>Word To Add</source>
        <translation>Palabra para añadir</translation>
    </message>
    <message>
        <source>Clue For Word</source>
        <translation>Pista de la palabra</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Palabras y pistas</translation>
    </message>
    <message>
        <source>&amp;Add It</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Mezclar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ab&amp;rir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No word has been entered.</source>
        <translation>No se ha escrito ninguna palabra.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>

Add it anyway?</source>
        <translation>

¿Añadirla de todos modos?</translation>
    </message>
    <message>
        <source>No word has been highlighted for deletion.</source>
        <translation>No hay ninguna palabra marcada para borrar.</translation>
    </message>
    <message>
        <source>No word has been highlighted for moving up.</source>
        <translation>No hay ninguna palabra marcada para subir.</translation>
    </message>
    <message>
        <source>No word has been highlighted for moving down.</source>
        <translation>No hay ninguna palabra marcada para bajar.</translation>
    </message>
    <message>
        <source>Open a Word List</source>
        <translation>Abrir una lista de palabras</translation>
    </message>
    <message>
        <source>Text File (*.TXT *.txt)</source>
        <translation>Archivo de texto (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Save A Word List</source>
        <translation>Guardar una lista de palabras</translation>
    </message>
    <message>
        <source>Text Files (*.TXT *.txt)</source>
        <translation>Archivos de texto (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>This word list has not been saved. Close the editor and lose the changes?</source>
        <translation>Esta lista de palabras no se ha guardado. ¿Cerrar el editor y perder los cambios?</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 characters, but a word may have at most %3: the game would leave it out.</source>
        <translation>&quot;%1&quot; tiene %2 caracteres, pero una palabra puede tener %3 como máximo: el juego la omitiría.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, which no letter tile can guess: nobody could ever solve it.</source>
        <translation>&quot;%1&quot; contiene &quot;%2&quot;, que ninguna ficha de letra puede adivinar: nadie podría resolverla nunca.</translation>
    </message>
</context>
<context>
    <name>TGameOptions</name>
    <message>
        <source>Two Player Game Options</source>
        <translation>Opciones de partida a dos</translation>
    </message>
    <message>
        <source>&amp;Choose Opponent&apos;s Word</source>
        <translation>&amp;Elegir la palabra del rival</translation>
    </message>
    <message>
        <source>&amp;Program Chooses Words</source>
        <translation>El &amp;programa elige las palabras</translation>
    </message>
    <message>
        <source>&amp;Each Player Gets Different Word</source>
        <translation>Cada jugador recibe una palabra &amp;distinta</translation>
    </message>
    <message>
        <source>E&amp;ach Player Gets Same Word</source>
        <translation>Cada jugador recibe la &amp;misma palabra</translation>
    </message>
    <message>
        <source>E&amp;nsure Same Length Word Used</source>
        <translation>Asegurar palabras de igual &amp;longitud</translation>
    </message>
    <message>
        <source>&quot;&amp;Server&quot; Player Chooses Word List</source>
        <translation>El jugador «&amp;servidor» elige la lista</translation>
    </message>
    <message>
        <source>Winning Score Value:</source>
        <translation>Puntuación para ganar:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Winning score value must be at least 10.</source>
        <translation>La puntuación para ganar debe ser al menos 10.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TGetTheWord</name>
    <message>
        <source>Enter Word</source>
        <translation>Escribir palabra</translation>
    </message>
    <message>
        <source>Enter a word for your opponent</source>
        <translation>Escriba una palabra para su rival</translation>
    </message>
    <message>
        <source>Enter a clue for your opponent</source>
        <translation>Escriba una pista para su rival</translation>
    </message>
    <message>
        <source>Enter a %1 lettered word for your opponent</source>
        <translation>Escriba una palabra de %1 letras para su rival</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No word entered.  Please correct</source>
        <translation>No se ha escrito ninguna palabra.  Corríjalo</translation>
    </message>
    <message>
        <source>Invalid length of word entered.  Please correct</source>
        <translation>La longitud de la palabra no es válida.  Corríjalo</translation>
    </message>
    <message>
        <source>An invalid character has be used in the word.  Please correct</source>
        <translation>La palabra contiene un carácter no válido.  Corríjalo</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>The letter %1 cannot be sent to your opponent.  Please correct</source>
        <translation>La letra %1 no se puede enviar a su oponente.  Corríjalo</translation>
    </message>
</context>
<context>
    <name>TGetYourName</name>
    <message>
        <source>User Name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Your User Name </source>
        <translation>Su nombre de usuario </translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TGuess</name>
    <message>
        <source>Guess Attemps</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Guess Attempts</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Guesses should be between 1 and 20.  Please Correct.</source>
        <translation>Los intentos deben estar entre 1 y 20.  Corríjalo.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TLetterLook2</name>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Alphabet</source>
        <translation>Alfabeto</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Imagen</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fuente</translation>
    </message>
    <message>
        <source>I&amp;mage</source>
        <translation>I&amp;magen</translation>
    </message>
    <message>
        <source>F&amp;ont</source>
        <translation>F&amp;uente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sal&amp;ir</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
    <message>
        <source>Background Bitmaps</source>
        <translation>Imágenes de fondo</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp *.BMP)</source>
        <translation>Mapas de bits (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>High Contrast Look is on: the board shows these choices once it is turned off in the Options menu.</source>
        <translation>El alto contraste está activado: el tablero mostrará estas opciones cuando se desactive en el menú Opciones.</translation>
    </message>
    <message>
        <source>NOTICE: Most images will only appear correctly if you are using more than 256 colors.</source>
        <translation>AVISO: la mayoría de las imágenes solo se ven bien con más de 256 colores.</translation>
    </message>
</context>
<context>
    <name>TMainWin</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
    <message>
        <source>Ready To Start</source>
        <translation>Listo para empezar</translation>
    </message>
    <message>
        <source>Sorry, you&apos;ve been hung.  Click for next word.</source>
        <translation>Lo siento, le han ahorcado.  Pulse para la siguiente palabra.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Word Completed Successfully! Click for next word</source>
        <translation>¡Palabra completada! Pulse para la siguiente palabra</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The connection to your opponent has been lost, so this game cannot go on.

Would you like to start a new game?</source>
        <translation>Se ha perdido la conexión con su rival, esta partida no puede continuar.

¿Desea empezar una partida nueva?</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>New &amp;Player / Game</source>
        <translation>Nuevo &amp;jugador / partida</translation>
    </message>
    <message>
        <source>New &amp;Words</source>
        <translation>Nuevas &amp;palabras</translation>
    </message>
    <message>
        <source>S&amp;kip Word</source>
        <translation>&amp;Saltar palabra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>User &amp;Name</source>
        <translation>&amp;Nombre de usuario</translation>
    </message>
    <message>
        <source>&amp;Two Player Game Options</source>
        <translation>Opciones de partida a &amp;dos</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>&amp;Efectos de sonido</translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <translation>&amp;Fuentes</translation>
    </message>
    <message>
        <source>&amp;Guess Attempts</source>
        <translation>Inten&amp;tos</translation>
    </message>
    <message>
        <source>&amp;Uppercase Answer</source>
        <translation>Respuesta en &amp;mayúsculas</translation>
    </message>
    <message>
        <source>Use &amp;Hints</source>
        <translation>Usar &amp;pistas</translation>
    </message>
    <message>
        <source>&amp;Scramble Word List When Loading</source>
        <translation>Me&amp;zclar la lista al cargarla</translation>
    </message>
    <message>
        <source>Open Port On &amp;Router</source>
        <translation>Abrir el puerto en el &amp;router</translation>
    </message>
    <message>
        <source>&amp;Matchmaking Server</source>
        <translation>Ser&amp;vidor de emparejamiento</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Display your IP Address</source>
        <translation>&amp;Mostrar su dirección IP</translation>
    </message>
    <message>
        <source>&amp;Create A Word List</source>
        <translation>&amp;Crear una lista de palabras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>Sitio &amp;web</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Welcome To Ropewit</source>
        <translation>Bienvenido a Ropewit</translation>
    </message>
    <message>
        <source>The Internet Hangman Game!</source>
        <translation>¡El ahorcado en Internet!</translation>
    </message>
    <message>
        <source>&amp;Start New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Hint:</source>
        <translation>Pista:</translation>
    </message>
    <message>
        <source>Used Letters</source>
        <translation>Letras usadas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Connection Status</source>
        <translation>Estado de la conexión</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>En&amp;viar</translation>
    </message>
    <message>
        <source>Start &amp;Game</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>Word of the &amp;Day</source>
        <translation>Palabra del &amp;día</translation>
    </message>
    <message>
        <source>Solo Word &amp;Length</source>
        <translation>&amp;Longitud de palabra en solitario</translation>
    </message>
    <message>
        <source>High &amp;Contrast Look</source>
        <translation>Alto &amp;contraste</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>Play &amp;Word</source>
        <translation>Jugar la &amp;palabra</translation>
    </message>
    <message>
        <source>Open &amp;List by Name...</source>
        <translation>Abrir &amp;lista por nombre...</translation>
    </message>
    <message>
        <source>&amp;Accents Count as Base Letters</source>
        <translation>Acentos como letra &amp;base</translation>
    </message>
</context>
<context>
    <name>TMatchServer</name>
    <message>
        <source>Matchmaking Server</source>
        <translation>Servidor de emparejamiento</translation>
    </message>
    <message>
        <source>The server both players use to find each other, as host or host:port (empty: localhost:52202).</source>
        <translation>El servidor con el que ambos jugadores se encuentran, como host o host:puerto (vacío: localhost:52202).</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>All solo words</source>
        <translation>Todas las palabras en solitario</translation>
    </message>
    <message>
        <source>List: %1</source>
        <translation>Lista: %1</translation>
    </message>
    <message>
        <source>Word of the day</source>
        <translation>Palabra del día</translation>
    </message>
    <message>
        <source>Solved words by their misses:</source>
        <translation>Palabras resueltas según sus fallos:</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Restablecer...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>words</source>
        <translation>palabras</translation>
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
        <translation>Jugadas: %1
Resueltas: %2
Perdidas: %3
Ganadas: %4%
Racha actual: %5 %6
Mejor racha: %7 %6
Fallos medios por palabra resuelta: %8
</translation>
    </message>
    <message>
        <source>Best solo score: %1
Time played: %2 h %3 min</source>
        <translation>Mejor puntuación en solitario: %1
Tiempo jugado: %2 h %3 min</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Restablecer estadísticas</translation>
    </message>
    <message>
        <source>Forget every result played so far, the word of the day&apos;s too? This cannot be undone.</source>
        <translation>¿Olvidar todos los resultados jugados hasta ahora, también los de la palabra del día? No se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>TWebOpponent</name>
    <message>
        <source>Opponent</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>The list below should list up to 10 users who are logged onto our server waiting for an oppenent.  Choose an oppenent and click on &quot;OK&quot;.</source>
        <translation>La lista de abajo muestra hasta 10 jugadores conectados al servidor que esperan a un rival.  Elija un rival y pulse «Aceptar».</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>A&amp;bandonar</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>WidgetPrompts</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>WindowWiring</name>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Word skipped.  Click for next word.</source>
        <translation>Palabra saltada.  Pulse para la siguiente palabra.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Leave the game against %1 and exit?</source>
        <translation>¿Dejar la partida contra %1 y salir?</translation>
    </message>
</context>
<context>
    <name>WordListEditorModel</name>
    <message>
        <source>Disk read error</source>
        <translation>Error de lectura</translation>
    </message>
    <message>
        <source>File is too large</source>
        <translation>El archivo es demasiado grande</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Ruta no encontrada</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Error de escritura</translation>
    </message>
</context>
<context>
    <name>WordListRequest</name>
    <message>
        <source>Open Text File of Words</source>
        <translation>Abrir archivo de texto de palabras</translation>
    </message>
    <message>
        <source>Text Files (*.TXT *.txt);;All Files (*)</source>
        <translation>Archivos de texto (*.TXT *.txt);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Word %1</source>
        <translation>Palabra %1</translation>
    </message>
    <message>
        <source>Word %1 of %2</source>
        <translation>Palabra %1 de %2</translation>
    </message>
    <message>
        <source>The word list could not be read to its end: </source>
        <translation>No se pudo leer la lista de palabras hasta el final: </translation>
    </message>
    <message>
        <source>1 word was left out: it holds a control character.</source>
        <translation>Se omitió 1 palabra: contiene un carácter de control.</translation>
    </message>
    <message>
        <source>%1 words were left out: they hold control characters.</source>
        <translation>Se omitieron %1 palabras: contienen caracteres de control.</translation>
    </message>
    <message>
        <source>File could not be loaded.</source>
        <translation>No se pudo cargar el archivo.</translation>
    </message>
</context>
</TS>
